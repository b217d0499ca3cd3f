<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>common::frmInformacoes</name>
    <message>
        <source>Informações Gerais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão do Windows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasta do Software:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suporte: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão  2017</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Os dados ficam no arquivo %1.
É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.
Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de segurança completa.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivo::frmAlternativas</name>
    <message>
        <source>Alternativas</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>Qtde de Alternativas:</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternativa  %1:</source>
        <translation>Alternative %1:</translation>
    </message>
    <message>
        <source>Qtde de Alternativas não aceita!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nº de Alternativas deve ser no máximo 15 itens</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivo::frmCriterios</name>
    <message>
        <source>Critérios</source>
        <translation>Criterias</translation>
    </message>
    <message>
        <source>Qtde Critérios:</source>
        <translation>Number of items:</translation>
    </message>
    <message>
        <source>  Sinal (+-)         Peso</source>
        <translation>    Signal         Weight</translation>
    </message>
    <message>
        <source>Critério  %1:</source>
        <translation>Criteria %1:</translation>
    </message>
    <message>
        <source>Critério %1:</source>
        <translation>Criteria %1:</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qtde de Critérios não aceita!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nº de critérios deve ser no máximo 15 itens</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Só aceito + ou -</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sinal do item %1 não informado corretamente</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivo::frmCriteriosAj</name>
    <message>
        <source>Ajuda da Tela Critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qtde Critérios: quantos critérios serão usados para comparar as alternativas, de 3 a 15. Só as linhas desta quantidade aparecem e são gravadas.

Descrição: o nome do critério, com até 35 caracteres.

Sinal: + quando o critério é um benefício (quanto mais, melhor) e - quando é um custo (quanto menos, melhor).

Peso: a importância do critério, de 1 a 10. É calculado na tela Pesos, a partir da comparação dos critérios dois a dois, e aqui é apenas mostrado, sem poder ser alterado.

Gravar e Sair guarda as descrições, os sinais e a quantidade. Limpar histórico anterior apaga as descrições, os sinais, os pesos e as comparações de todos os critérios.</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivo::frmDados</name>
    <message>
        <source>Identificação dos Pesos</source>
        <translation>Registration of events</translation>
    </message>
    <message>
        <source>Comparação: </source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>O critério: </source>
        <translation>The criteria:</translation>
    </message>
    <message>
        <source>é: </source>
        <translation>it is</translation>
    </message>
    <message>
        <source>Do que o critério: </source>
        <translation>Than the criteria:</translation>
    </message>
    <message>
        <source>Para a função objetivo </source>
        <translation>for the objective function</translation>
    </message>
    <message>
        <source>Muito &amp;Mais</source>
        <translation>Much &amp;more</translation>
    </message>
    <message>
        <source>Ma&amp;is</source>
        <translation>M&amp;uch</translation>
    </message>
    <message>
        <source>&amp;De forma igual</source>
        <translation>&amp;The same</translation>
    </message>
    <message>
        <source>M&amp;enos</source>
        <translation>&amp;Less</translation>
    </message>
    <message>
        <source>M&amp;uito menos</source>
        <translation>Much l&amp;ess</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>&amp;Analizar</source>
        <translation>&amp;Analyze</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>Vago</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vago</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pontos da Coluna</source>
        <translation>Points to Column</translation>
    </message>
    <message>
        <source>Normatização V 0-5</source>
        <translation>Normatization V 0-5</translation>
    </message>
    <message>
        <source>Pontos da Linha</source>
        <translation>Points to Row</translation>
    </message>
    <message>
        <source>Normatização H 0-5</source>
        <translation>Normatization H 0-5</translation>
    </message>
    <message>
        <source>Emach</source>
        <translation>Emach</translation>
    </message>
    <message>
        <source>1-Normalização</source>
        <translation>1-Normalization</translation>
    </message>
    <message>
        <source>Peso Final</source>
        <translation>Final Weight</translation>
    </message>
    <message>
        <source>A quantidade de critérios gravada (%1) deve ser de 1 a 15.</source>
        <translation>The stored number of criteria (%1) must be 1 to 15.</translation>
    </message>
    <message>
        <source>A tabela Criterios não tem o campo %1.</source>
        <translation>The table Criterios lacks the field %1.</translation>
    </message>
    <message>
        <source>A tabela Criterios tem %1 registro(s), mas são %2 critérios.</source>
        <translation>The table Criterios holds %1 record(s), but there are %2 criteria.</translation>
    </message>
    <message>
        <source>Tabela de critérios incompatível!</source>
        <translation>Criteria table does not match!</translation>
    </message>
</context>
<context>
    <name>kivo::frmLista</name>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Gravar e Sair</source>
        <translation>Save and Exit</translation>
    </message>
    <message>
        <source>&amp;Limpar histórico anterior</source>
        <translation>Clear previous history</translation>
    </message>
    <message>
        <source>Limpar histórico anterior</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirma a limpeza?</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivo::frmValores</name>
    <message>
        <source>O valor deve ser numérico... não será salvo!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso do item %1 não informado corretamente</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valores</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Alternativas:  </source>
        <translation>Alternatives </translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Alternativa %1:</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critérios:  </source>
        <translation>Criteria </translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Valores</source>
        <comment>heading of the values column</comment>
        <translation>Values:</translation>
    </message>
</context>
<context>
    <name>kivo::textosanalise</name>
    <message>
        <source>Valores incompletos!</source>
        <comment>columns alike</comment>
        <translation>Values incomplete</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>columns alike</comment>
        <translation>Fully populate the spreadsheet before analyzing</translation>
    </message>
    <message>
        <source>Valores incompletos!</source>
        <comment>rows alike</comment>
        <translation>Values incomplete</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>rows alike</comment>
        <translation>Fully populate the spreadsheet before analyzing</translation>
    </message>
    <message>
        <source>Razão de consistência: </source>
        <translation>Consistency ratio: </translation>
    </message>
    <message>
        <source>falta 1 comparação; a razão precisa de todas.</source>
        <translation>1 comparison unanswered; the ratio needs them all.</translation>
    </message>
    <message>
        <source>faltam %1 comparações; a razão precisa de todas.</source>
        <translation>%1 comparisons unanswered; the ratio needs them all.</translation>
    </message>
    <message>
        <source> — aceitável</source>
        <translation> — acceptable</translation>
    </message>
    <message>
        <source>critério %1</source>
        <translation>criterion %1</translation>
    </message>
    <message>
        <source> — as respostas formam um ciclo: %1</source>
        <translation> — the answers go round in a cycle: %1</translation>
    </message>
    <message>
        <source> — acima de %1</source>
        <translation> — above %1</translation>
    </message>
    <message>
        <source>Muito Mais</source>
        <translation>Much more</translation>
    </message>
    <message>
        <source>Mais</source>
        <translation>Much</translation>
    </message>
    <message>
        <source>De forma igual</source>
        <translation>The same</translation>
    </message>
    <message>
        <source>Menos</source>
        <translation>Less</translation>
    </message>
    <message>
        <source>Muito menos</source>
        <translation>Much less</translation>
    </message>
    <message>
        <source>. Mudar %1 × %2 de «%3» para «%4» levaria a razão a %5</source>
        <translation>. Changing %1 × %2 from “%3” to “%4” would bring the ratio to %5</translation>
    </message>
</context>
</TS>
