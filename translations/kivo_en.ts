<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>common::frmInformacoes</name>
    <message>
        <source>Informações Gerais</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation>Computer specification: </translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation>Computer name:</translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation>Video resolution:</translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation>Logged in user:</translation>
    </message>
    <message>
        <source>Versão do Windows:</source>
        <translation>Version of Windows:</translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation>Version Database:</translation>
    </message>
    <message>
        <source>Pasta do Software:</source>
        <translation>Software folder:</translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation>Language: </translation>
    </message>
    <message>
        <source>Suporte: </source>
        <extracomment>Stays Portuguese in English in kivo; davo translates it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão  2017</source>
        <translation>Version  2017</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>Os dados ficam no arquivo %1.
É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.
Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de segurança completa.</source>
        <translation>The data is kept in the file %1.
It is an SQLite database, which any SQLite tool opens.
A copy of that file, made while the program is closed, is a complete backup.</translation>
    </message>
</context>
<context>
    <name>kivo::Menu</name>
    <message>
        <source>Apoio à decisão multicritério</source>
        <translation>Multi-criteria decision aid</translation>
    </message>
    <message>
        <source>Casos do kivo (*.mdb)</source>
        <translation>kivo cases (*.mdb)</translation>
    </message>
    <message>
        <source>Cas&amp;o</source>
        <translation>Cas&amp;e</translation>
    </message>
    <message>
        <source>&amp;Novo caso...</source>
        <translation>&amp;New case...</translation>
    </message>
    <message>
        <source>&amp;Abrir caso...</source>
        <translation>&amp;Open case...</translation>
    </message>
    <message>
        <source>Salvar &amp;como...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Propriedades do caso...</source>
        <translation>Case &amp;properties...</translation>
    </message>
    <message>
        <source>&amp;Exportar resultados (CSV)...</source>
        <translation>&amp;Export results (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Alternativas</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>&amp;Critérios</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>&amp;Pesos</source>
        <translation>Weights</translation>
    </message>
    <message>
        <source>&amp;Valores</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>&amp;Resultado</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>&amp;Informações</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>KIVO - Apoio à decisão multicritério</source>
        <translation>KIVO - Multi-criteria decision aid</translation>
    </message>
    <message>
        <source>Versão: 15.02.18</source>
        <translation>Version: 15.02.18</translation>
    </message>
    <message>
        <source>Somente leitura: nada pode ser gravado</source>
        <translation>Read only: nothing can be saved</translation>
    </message>
    <message>
        <source>Programa Paralizado!</source>
        <translation>Paralyzed Software!</translation>
    </message>
    <message>
        <source>Programa ativo pela segunda vez, será fechado!</source>
        <translation>Active program for the second time, will be closed!</translation>
    </message>
    <message>
        <source>O último caso usado, &quot;%1&quot;, não foi encontrado.<byte value="xd"/>
Foi aberto o arquivo padrão &quot;%2&quot;.</source>
        <translation>The case last used, &quot;%1&quot;, was not found.<byte value="xd"/>
The default file &quot;%2&quot; was opened.</translation>
    </message>
    <message>
        <source>O último caso usado, &quot;%1&quot;, não pôde ser aberto: %3<byte value="xd"/>
Foi aberto o arquivo padrão &quot;%2&quot;.</source>
        <translation>The case last used, &quot;%1&quot;, could not be opened: %3<byte value="xd"/>
The default file &quot;%2&quot; was opened.</translation>
    </message>
    <message>
        <source>Caso não encontrado!</source>
        <translation>Case not found!</translation>
    </message>
    <message>
        <source>Caso não aberto!</source>
        <translation>Case not opened!</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não é um caso do kivo e não foi aberto.<byte value="xd"/>
Motivo: %2<byte value="xd"/>
O caso &quot;%3&quot; continua em uso.</source>
        <translation>The file &quot;%1&quot; is not a kivo case and was not opened.<byte value="xd"/>
Reason: %2<byte value="xd"/>
The case &quot;%3&quot; stays in use.</translation>
    </message>
    <message>
        <source>Novo caso</source>
        <translation>New case</translation>
    </message>
    <message>
        <source>Novo caso.mdb</source>
        <translation>New case.mdb</translation>
    </message>
    <message>
        <source>o arquivo já existe e não foi alterado</source>
        <translation>the file exists already and was left as it is</translation>
    </message>
    <message>
        <source>Caso não criado!</source>
        <translation>Case not created!</translation>
    </message>
    <message>
        <source>Não foi possível criar o caso no arquivo &quot;%1&quot;: %2.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>The case could not be created in the file &quot;%1&quot;: %2.<byte value="xd"/>
Choose another folder or another name and try again.</translation>
    </message>
    <message>
        <source>Abrir caso</source>
        <translation>Open case</translation>
    </message>
    <message>
        <source>Salvar caso como</source>
        <translation>Save case as</translation>
    </message>
    <message>
        <source> - cópia.mdb</source>
        <translation> - copy.mdb</translation>
    </message>
    <message>
        <source>Arquivo não gravado!</source>
        <translation>File not saved!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o caso no arquivo &quot;%1&quot;: %2.<byte value="xd"/>
O caso &quot;%3&quot; continua em uso.</source>
        <translation>The case could not be saved in the file &quot;%1&quot;: %2.<byte value="xd"/>
The case &quot;%3&quot; stays in use.</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Export results</translation>
    </message>
    <message>
        <source>Arquivos CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Não foi possível gravar os resultados no arquivo &quot;%1&quot;.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>The results could not be saved in the file &quot;%1&quot;.<byte value="xd"/>
Choose another folder or another name and try again.</translation>
    </message>
    <message>
        <source>Resultados exportados</source>
        <translation>Results exported</translation>
    </message>
    <message>
        <source>Os resultados foram gravados no arquivo:<byte value="xd"/>
%1</source>
        <translation>The results were saved in the file:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não foi encontrado e saiu da lista dos últimos casos.</source>
        <translation>The file &quot;%1&quot; was not found and was taken off the list of recent cases.</translation>
    </message>
</context>
<context>
    <name>kivo::calculo</name>
    <message>
        <source>Nenhum registro atual.</source>
        <translation>No current record.</translation>
    </message>
    <message>
        <source>Item não encontrado nesta coleção: &apos;%1&apos;.</source>
        <translation>Item not found in this collection: &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>kivo::caso</name>
    <message>
        <source>O arquivo &apos;%1&apos; não foi encontrado.</source>
        <translation>The file &apos;%1&apos; was not found.</translation>
    </message>
    <message>
        <source>Não foi possível criar o arquivo &apos;%1&apos;.</source>
        <translation>The file &apos;%1&apos; could not be created.</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo &apos;%1&apos;.</source>
        <translation>The file &apos;%1&apos; could not be written.</translation>
    </message>
</context>
<context>
    <name>kivo::colaColuna</name>
    <message>
        <source>Valores demais!</source>
        <translation>Too many values!</translation>
    </message>
    <message>
        <source>A coluna colada tem %1 valores, mas só há %2 caixas desta para baixo. Nada foi colado.</source>
        <translation>The pasted column holds %1 values, but there are only %2 boxes from this one down. Nothing was pasted.</translation>
    </message>
</context>
<context>
    <name>kivo::descartaAlteracoes</name>
    <message>
        <source>Descartar alterações?</source>
        <translation>Discard changes?</translation>
    </message>
    <message>
        <source>Há respostas ou textos que ainda não foram gravados. Sair sem gravá-los?</source>
        <translation>Some answers or texts have not been saved yet. Leave without saving them?</translation>
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
    <name>kivo::frmCaso</name>
    <message>
        <source>Propriedades do caso</source>
        <translation>Case properties</translation>
    </message>
    <message>
        <source>&amp;Nome do caso:</source>
        <translation>Case &amp;name:</translation>
    </message>
    <message>
        <source>&amp;Objetivo a alcançar ou sintoma indesejado:</source>
        <translation>&amp;Goal to achieve or undesired symptom:</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>Sair sem gravar?</source>
        <translation>Leave without saving?</translation>
    </message>
    <message>
        <source>O nome ou o objetivo foi alterado e não foi gravado. Sair e perder as alterações?</source>
        <translation>The name or the goal was changed and not saved. Leave and lose the changes?</translation>
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
        <source>vago</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vago</source>
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
    <name>kivo::frmResultado</name>
    <message>
        <source>Resultado</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Solve</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>To Print</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>S&amp;ensibilidade</source>
        <translation>S&amp;ensitivity</translation>
    </message>
    <message>
        <source>&amp;Relatório completo</source>
        <translation>&amp;Full report</translation>
    </message>
    <message>
        <source>Processando: </source>
        <translation>Calculating: </translation>
    </message>
    <message>
        <source>Melhor opção: </source>
        <translation>Best option: </translation>
    </message>
    <message>
        <source>Preparando Tabelas</source>
        <translation>Preparing Tables</translation>
    </message>
    <message>
        <source>Processando Pesos</source>
        <translation>Procesando weights</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peso Não encontrado!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifique os pesos dos critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sinal não informado!</source>
        <translation>Sign missing!</translation>
    </message>
    <message>
        <source>Informe o sinal, + ou -, do critério %1 na tela Critérios</source>
        <translation>Enter the sign, + or -, of criterion %1 on the Criteria screen</translation>
    </message>
</context>
<context>
    <name>kivo::frmSensibilidade</name>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>Critério</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Sinal</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Peso mínimo</source>
        <translation>Lowest weight</translation>
    </message>
    <message>
        <source>Peso máximo</source>
        <translation>Highest weight</translation>
    </message>
    <message>
        <source>Melhor abaixo</source>
        <translation>Best below</translation>
    </message>
    <message>
        <source>Melhor acima</source>
        <translation>Best above</translation>
    </message>
    <message>
        <source>Margem</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Melhor opção: %1</source>
        <translation>Best option: %1</translation>
    </message>
    <message>
        <source>A melhor opção muda se o peso de %1 passar de %2 para %3.</source>
        <translation>The best option changes if the weight of %1 goes from %2 to %3.</translation>
    </message>
    <message>
        <source>Com esse peso, a melhor opção passa a ser %1</source>
        <translation>At that weight the best option becomes %1</translation>
    </message>
    <message>
        <source>Com esse peso, nenhuma alternativa fica acima de 0.</source>
        <translation>At that weight no alternative stays above 0.</translation>
    </message>
    <message>
        <source>A melhor opção não muda com nenhum peso de 1 a 10, um critério por vez.</source>
        <translation>The best option does not change for any weight from 1 to 10, one criterion at a time.</translation>
    </message>
    <message>
        <source>Nenhuma alternativa tem resultado acima de 0: não há melhor opção.</source>
        <translation>No alternative has a result above 0: there is no best option.</translation>
    </message>
    <message>
        <source>Resultado de cada alternativa conforme o peso de %1</source>
        <translation>Each alternative&apos;s result as the weight of %1 goes from 1 to 10</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>atual</source>
        <translation>current</translation>
    </message>
    <message>
        <source>Peso Não encontrado!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifique os pesos dos critérios</source>
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
        <source>Valores</source>
        <comment>heading of the values column</comment>
        <translation>Values:</translation>
    </message>
    <message>
        <source>Alternativa %1:</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished">Alternative %1:</translation>
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
</context>
<context>
    <name>kivo::mensagemFalha</name>
    <message>
        <source>Disco cheio!</source>
        <translation>Disk full!</translation>
    </message>
    <message>
        <source>O disco está cheio: não foi possível gravar em %1.</source>
        <translation>The disk is full: %1 could not be written.</translation>
    </message>
    <message>
        <source>libere espaço e tente de novo.</source>
        <translation>free some space and try again.</translation>
    </message>
    <message>
        <source>Somente leitura!</source>
        <translation>Read only!</translation>
    </message>
    <message>
        <source>O arquivo %1 é somente leitura: não foi possível gravar nele.</source>
        <translation>The file %1 is read only: it could not be written.</translation>
    </message>
    <message>
        <source>dê permissão de gravação ao arquivo e à sua pasta e tente de novo.</source>
        <translation>allow writing to the file and its folder and try again.</translation>
    </message>
    <message>
        <source>Arquivo em uso!</source>
        <translation>File in use!</translation>
    </message>
    <message>
        <source>Outro programa está usando %1: não foi possível gravar nele.</source>
        <translation>Another program is using %1: it could not be written.</translation>
    </message>
    <message>
        <source>feche o outro programa e tente de novo.</source>
        <translation>close the other program and try again.</translation>
    </message>
    <message>
        <source>Erro de disco!</source>
        <translation>Disk error!</translation>
    </message>
    <message>
        <source>O disco falhou ao gravar em %1.</source>
        <translation>The disk failed while writing %1.</translation>
    </message>
    <message>
        <source>verifique o disco e tente de novo.</source>
        <translation>check the disk and try again.</translation>
    </message>
    <message>
        <source>%1 Nada foi alterado; %2</source>
        <translation>%1 Nothing was changed; %2</translation>
    </message>
</context>
<context>
    <name>kivo::planilha</name>
    <message>
        <source>Caso</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Objetivo</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>kivo::ranking</name>
    <message>
        <source>Contribuição de cada critério ao resultado</source>
        <translation>Contribution of each criterion to the result</translation>
    </message>
    <message>
        <source>custos</source>
        <translation>costs</translation>
    </message>
    <message>
        <source>benefícios</source>
        <translation>benefits</translation>
    </message>
    <message>
        <source>melhor opção</source>
        <translation>best option</translation>
    </message>
    <message>
        <source>Peso: %1</source>
        <translation>Weight: %1</translation>
    </message>
    <message>
        <source>Peso normalizado: %1</source>
        <translation>Normalised weight: %1</translation>
    </message>
    <message>
        <source>Contribuição: %1</source>
        <translation>Contribution: %1</translation>
    </message>
    <message>
        <source>custo</source>
        <translation>cost</translation>
    </message>
    <message>
        <source>benefício</source>
        <translation>benefit</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <translation>Criterion %1</translation>
    </message>
    <message>
        <source>Alternativa %1</source>
        <translation>Alternative %1</translation>
    </message>
</context>
<context>
    <name>kivo::relatorio</name>
    <message>
        <source>Impressora indisponível!</source>
        <translation>Printer unavailable!</translation>
    </message>
    <message>
        <source>Não foi possível imprimir o relatório na impressora &quot;%1&quot;.<byte value="xd"/>
Verifique se ela está ligada e instalada, ou escolha outra impressora na lista.</source>
        <translation>The report could not be printed on the printer &quot;%1&quot;.<byte value="xd"/>
Check that it is switched on and installed, or choose another printer in the list.</translation>
    </message>
    <message>
        <source>Gravar o relatório em PDF</source>
        <translation>Save the report as PDF</translation>
    </message>
    <message>
        <source>Arquivos PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Arquivo não gravado!</source>
        <translation>File not saved!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o relatório no arquivo &quot;%1&quot;.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>The report could not be saved in the file &quot;%1&quot;.<byte value="xd"/>
Choose another folder or another name and try again.</translation>
    </message>
    <message>
        <source>Relatório gravado</source>
        <translation>Report saved</translation>
    </message>
    <message>
        <source>O relatório foi gravado no arquivo:<byte value="xd"/>
%1</source>
        <translation>The report was saved in the file:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Apoio à decisão multicritério</source>
        <translation>Multi-criteria decision aid</translation>
    </message>
    <message>
        <source>Resultado *</source>
        <translation>* Result</translation>
    </message>
    <message>
        <source>Case:  %1</source>
        <translation>Case:  %1</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Goal to achieve or undesired symptom: </translation>
    </message>
    <message>
        <source>Fatores</source>
        <translation>Factors</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Root cause or primary FCS</translation>
    </message>
    <message>
        <source>KIVO - sessão iniciada em %1</source>
        <translation>KIVO - session started on %1</translation>
    </message>
    <message>
        <source>Arquivo PDF…</source>
        <translation>PDF file…</translation>
    </message>
    <message>
        <source>KIVO - Resultado</source>
        <translation>KIVO - Results</translation>
    </message>
</context>
<context>
    <name>kivo::relatoriocompleto</name>
    <message>
        <source>Relatório completo</source>
        <translation>Full report</translation>
    </message>
    <message>
        <source>Relatório completo kivo</source>
        <translation>Full report kivo</translation>
    </message>
    <message>
        <source>Case:  </source>
        <translation>Case:  </translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Goal to achieve or undesired symptom: </translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Melhor opção: %1</source>
        <translation>Best option: %1</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 (continuação)</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>KIVO - Relatório completo</source>
        <translation>KIVO - Full report</translation>
    </message>
    <message>
        <source>Critérios</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Critério</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Sinal</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Peso normalizado</source>
        <translation>Normalised weight</translation>
    </message>
    <message>
        <source>+ benefício</source>
        <translation>+ benefit</translation>
    </message>
    <message>
        <source>- custo</source>
        <translation>- cost</translation>
    </message>
    <message>
        <source>Matriz de comparação</source>
        <translation>Comparison matrix</translation>
    </message>
    <message>
        <source>Cada célula: quantas vezes o critério da linha é tão importante quanto o da coluna (colunas pelo número do critério).</source>
        <translation>Each cell: how many times the row&apos;s criterion is as important as the column&apos;s (columns by criterion number).</translation>
    </message>
    <message>
        <source>Matriz de valores</source>
        <translation>Values matrix</translation>
    </message>
    <message>
        <source>Valor de cada alternativa sob cada critério (colunas pelo número do critério).</source>
        <translation>Value of each alternative under each criterion (columns by criterion number).</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Classificação</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>Posição</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>Para cada critério, a faixa de peso (de 1 a 10, os outros pesos mantidos) em que %1 continua a melhor opção, e a opção que passa a ser a melhor fora dela.</source>
        <translation>For each criterion, the range of its weight (1 to 10, the other weights kept) over which %1 stays the best option, and the option that becomes best beyond it.</translation>
    </message>
    <message>
        <source>Nenhuma alternativa tem resultado acima de 0: não há melhor opção a manter.</source>
        <translation>No alternative has a result above 0: there is no best option to keep.</translation>
    </message>
    <message>
        <source>Peso mínimo</source>
        <translation>Lowest weight</translation>
    </message>
    <message>
        <source>Peso máximo</source>
        <translation>Highest weight</translation>
    </message>
    <message>
        <source>Melhor abaixo</source>
        <translation>Best below</translation>
    </message>
    <message>
        <source>Melhor acima</source>
        <translation>Best above</translation>
    </message>
    <message>
        <source>Peso Não encontrado!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifique os pesos dos critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation type="unfinished"></translation>
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
