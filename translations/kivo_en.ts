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
        <translation>Critério %1</translation>
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
        <source>Critério %1</source>
        <translation>Criterion %1</translation>
    </message>
    <message>
        <source>Alternativa %1</source>
        <translation>Alternative %1</translation>
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
</TS>
